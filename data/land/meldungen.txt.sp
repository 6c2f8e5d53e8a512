Distribución de los números extraídos
Sorteos
Suma media
Frecuencia de los números de la suerte
Búsqueda en la base de datos
¿A partir de cuántos aciertos debe detenerse la búsqueda?
Aciertos en el sorteo del
¿Seguir buscando?
Aciertos encontrados
Parejas
en total
Tríos
Número de boleto
Distribución de las sumas
Suma media
Cuartetos
Parar
Calculando estadística:
Parejas
Tríos
Cuartetos
Números atrasados
Números vecinos del último sorteo
Calculando apuestas ...
Apuesta
No se han podido calcular todas las apuestas. Aumente el número de intentos de cálculo.
Cálculo terminado
Espere, por favor ...
Cuántos sorteos llevan los números sin salir
Distribución de los números en sus apuestas
¿Semilla del generador de números aleatorios
Semilla:
Generador aleatorio inicializado con
Análisis histórico de los parámetros
No se ha podido realizar el análisis.
Análisis en curso ...
Qué números usar para el cálculo
El número
Cuántos sorteos llevan los números de la suerte sin salir
¿A partir de cuántos números coincidentes debe detenerse?
Números coincidentes con todos los sorteos anteriores
Números coincidentes con el sorteo siguiente
Números coincidentes con el segundo sorteo posterior
Números coincidentes con el tercer sorteo posterior
Números primos por sorteo en
de los números extraídos son primos
Números impares por sorteo en
de los números extraídos son impares
Números pares por sorteo en
de los números extraídos son pares
¿Realmente desea borrar todas las apuestas no bloqueadas?
Borrar apuestas
Sorteo
Fecha
Introducir Replay y n.º de boleto
Al jugar en línea puede elegir un número de boleto así, que nunca ha salido.
Más opciones en "Cálculo=>General"
El puerto del proxy no es un número:
El servidor de números no ha respondido a tiempo:
Cada campo Joker necesita una cifra del 0 al 9. El sorteo no se ha guardado.
Importación CSV
Sorteos nuevos
Sorteos sustituidos
Sorteos sin cambios
Líneas rechazadas
Línea
Otras líneas rechazadas
¿Incorporar ahora estos sorteos a la base de datos?
El archivo no contiene ningún sorteo válido. La base de datos no cambia.
¿Desea realmente borrar este sorteo de la base de datos?
Guardar como PDF
El primer campo está vacío, pero la fila contiene números o un número de la suerte. Rellene la apuesta desde el primer campo o bórrela. No se ha impreso nada.
Lo que habrían logrado de media apuestas al azar (mismo número de filas):
Detenido antes de tiempo tras el sorteo del
¿Instalar Sorvanis Klickwerk?
¿Instalar Klickwerk ahora?
La llamada a Klickwerk es demasiado larga: la ruta del programa y la línea de comandos pueden tener como máximo 1023 caracteres cada una. Acorte los parámetros. No se ha iniciado nada.
La respuesta del servidor de números supera 64 KiB y se ha descartado:
El servidor de números redirige; la redirección no se sigue:
La respuesta del servidor de números no se ha guardado, no es un sorteo válido:
%1 supera %2 y no se lee.
%1 no es un archivo normal (sino, por ejemplo, una carpeta, un dispositivo o una tubería) y no se lee.
No se pudo guardar la configuración: %1
¡todavía no disponible!
&Calcular apuestas
No se puede abrir %1: %2.
No se puede leer %1: %2.
No se puede crear %1: %2.
No se puede escribir %1: %2. El archivo queda como estaba.
No se puede sustituir %1 por su nueva versión: %2. El archivo queda como estaba.
No se puede bloquear %1 para escribir (archivo de bloqueo %2): %3.
No se puede bloquear %1 para escribir: %2 no es un archivo de bloqueo sino un enlace, una carpeta o un archivo especial. Elimínelo para que se pueda escribir el archivo de sorteos.
Otro programa está escribiendo %1. Inténtelo de nuevo cuando haya terminado.
%1 no parece un archivo de sorteos (%2); se deja como está.
su tamaño de %1 bytes no es un múltiplo de registros de %2 bytes
el registro %1 no tiene una fecha entre 1970 y dentro de un año
el registro %1 tiene una fecha anterior a la del registro precedente
La línea 1 no es la cabecera %1.
El archivo está vacío; se esperaba la cabecera %1.
%1, línea %2: %3
la línea supera %1 bytes
se esperaban %1 campos, se encontraron %2
la fecha no es una fecha real (AAAA-MM-DD): %1
el campo %1 debe ser un número de %2 a %3: %4
el Joker debe tener seis cifras o estar vacío: %1
el número %1 aparece dos veces
«%1» en la fila %2 no es un número entero.
«%1» no es un número entero válido.
El mínimo de la suma de cifras %1 supera el máximo %2: no se puede calcular ninguna apuesta.
La base de datos no contiene ningún sorteo.
No se ha elegido ningún script de clics.
El texto para %1 contiene un salto de línea que ninguna línea del script puede admitir. No se ha iniciado nada.
El script rellenado superaría %1 MiB (línea %2). No se ha iniciado nada.
La línea %1 del script rellenado contiene el carácter %2, que Windows-1252 no puede representar. No se ha iniciado nada.
La petición al servidor de números ha fallado: %1
no existe el archivo o la carpeta
acceso denegado
el disco está lleno
la unidad es de solo lectura
es una carpeta
una parte de la ruta no es una carpeta
el dispositivo ha informado de un error
