cuántas veces
sin salir
