elegir simplemente al azar
usar el número de la suerte menos extraído
usar el número de la suerte más atrasado
