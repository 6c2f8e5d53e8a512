Sorvanis Quintora  6 de 42 Swiss

&Actualizar

&Calcular

&Jugar

Sprache/Language/Langue

Alemán

Francés

Italiano

Inglés

Español

Turco

Ruso

Polaco

Checo

Neerlandés

Exportar

Ce&rrar

<
mostrar el sorteo anterior
>
mostrar el sorteo siguiente
Actualizar
Importar los sorteos desde el servidor de números
Replay
Haga clic aquí para introducir su Replay y su número de boleto
Sorteos del sábado

Sorteos del miércoles

Aciertos

QS

1. Apuesta
¡Si "Apuesta" está en rojo, esta fila no se vuelve a calcular!
...
Haga clic aquí para modificar la apuesta 1 con el formulario o generarla al azar
2. Apuesta
¡Si "Apuesta" está en rojo, esta fila no se vuelve a calcular!
...
Haga clic aquí para modificar la apuesta 2 con el formulario o generarla al azar
3. Apuesta
¡Si "Apuesta" está en rojo, esta fila no se vuelve a calcular!
...
Haga clic aquí para modificar la apuesta 3 con el formulario o generarla al azar
4. Apuesta
¡Si "Apuesta" está en rojo, esta fila no se vuelve a calcular!
...
Haga clic aquí para modificar la apuesta 4 con el formulario o generarla al azar
5. Apuesta
¡Si "Apuesta" está en rojo, esta fila no se vuelve a calcular!
...
Haga clic aquí para modificar la apuesta 5 con el formulario o generarla al azar
6. Apuesta
¡Si "Apuesta" está en rojo, esta fila no se vuelve a calcular!
...
Haga clic aquí para modificar la apuesta 6 con el formulario o generarla al azar
7. Apuesta
¡Si "Apuesta" está en rojo, esta fila no se vuelve a calcular!
...
Haga clic aquí para modificar la apuesta 7 con el formulario o generarla al azar
8. Apuesta
¡Si "Apuesta" está en rojo, esta fila no se vuelve a calcular!
...
Haga clic aquí para modificar la apuesta 8 con el formulario o generarla al azar
9. Apuesta
¡Si "Apuesta" está en rojo, esta fila no se vuelve a calcular!
...
Haga clic aquí para modificar la apuesta 9 con el formulario o generarla al azar
10. Apuesta
¡Si "Apuesta" está en rojo, esta fila no se vuelve a calcular!
...
Haga clic aquí para modificar la apuesta 10 con el formulario o generarla al azar
11. Apuesta
¡Si "Apuesta" está en rojo, esta fila no se vuelve a calcular!
...
Haga clic aquí para modificar la apuesta 11 con el formulario o generarla al azar
12. Apuesta
¡Si "Apuesta" está en rojo, esta fila no se vuelve a calcular!
...
Haga clic aquí para modificar la apuesta 12 con el formulario o generarla al azar
13. Apuesta
¡Si "Apuesta" está en rojo, esta fila no se vuelve a calcular!
...
Haga clic aquí para modificar la apuesta 13 con el formulario o generarla al azar
14. Apuesta
¡Si "Apuesta" está en rojo, esta fila no se vuelve a calcular!
...
Haga clic aquí para modificar la apuesta 14 con el formulario o generarla al azar
Su n.º de la suerte
Aquí puede echar una mano al azar y generar de verdad su propia apuesta
&Calcular apuestas
Se calcula el número de apuestas indicado con los parámetros establecidos
Número de apuestas a calcular
Número de apuestas a calcular
Imprimir boleto
Si ya tiene un boleto, aquí puede imprimir la apuesta directamente en él o jugarla en línea
&Jugar apuesta
Aquí puede jugar la apuesta en línea
Buscar apuestas en BD
Aquí puede buscar si esta apuesta ya ha salido alguna vez
Distribución
Mostrar en un gráfico la distribución de los números de todas las apuestas
Apuestas
Mostrar las apuestas como lista
Guardar
Guardar las apuestas
Cargar
Cargar las apuestas desde un archivo
Borrar
Borrar todas las apuestas
www.sorvani.example
Sorvani en Internet
Preferir números para las apuestas según la estadística

En "General" puede indicar que solo se usen estos números para calcular las apuestas

Para calcular las apuestas se usa en cada caso el primer x%. (p. ej. hasta el 30% del máximo)

Preferir números que han salido muy a menudo

El primer X por ciento recibe una probabilidad mayor
El primer X por ciento recibe una probabilidad mayor
%

?
Gráfico de frecuencias
Preferir números que han salido muy pocas veces

El primer X por ciento recibe una probabilidad mayor
El primer X por ciento recibe una probabilidad mayor
%

?
Gráfico de frecuencias
Números que llevan más tiempo sin salir

El primer X por ciento recibe una probabilidad mayor
El primer X por ciento recibe una probabilidad mayor
%

?
Gráfico de los números atrasados
Preferir números que forman parejas a menudo

menos frecuentes

?
Gráfico de las parejas
Preferir números que forman tríos a menudo

menos frecuentes

?
Gráfico de los tríos
Preferir números que forman cuartetos a menudo

menos frecuentes

?
Gráfico de los cuartetos
preferir números vecinos del último sorteo

Para obtener premios más altos se pueden "desfavorecer" ciertos números

evitar los números 1-12 (meses, muy jugados por quienes apuestan fechas) 

reducir el peso de los números 1-31 (fecha)  -  saldrán menos en la apuesta

Optimización de las apuestas del boleto entre sí 

máximo de coincidencias con otras apuestas

mínimo de coincidencias con otras apuestas

aplicar mín./máx. a la relación de cada apuesta con cada una de las demás

Optimización de las apuestas frente a los sorteos anteriores

La apuesta no coincide con ningún sorteo de la base de datos con 
La apuesta no debe coincidir con ningún resultado de X aciertos de la base de datos, a partir de la fecha de la vista de gráficos
Ponga el valor en 5 o 6 si usa la base de datos completa
Ponga el valor en 5 o 6 si usa la base de datos completa
aciertos

La apuesta no obtiene 
La apuesta no debe coincidir con ningún resultado de X aciertos de la base de datos, a partir de la fecha de la vista de gráficos
Ponga el valor en 4 o 5 si elige un número de sorteos muy grande
Ponga el valor en 4 o 5 si elige un número de sorteos muy grande
aciertos en los últimos

Aquí puede excluir además, p. ej. desde 3 o 4 aciertos, en los últimos sorteos
Aquí puede excluir además, p. ej. desde 3 o 4 aciertos, en los últimos sorteos
sorteos

La apuesta no obtiene
La apuesta no debe coincidir con ningún resultado de X aciertos de la base de datos, a partir de la fecha de la vista de gráficos
Ponga el valor en 4 o 5 si elige un número de sorteos muy grande
Ponga el valor en 4 o 5 si elige un número de sorteos muy grande
aciertos en los últimos

Aquí puede excluir además, p. ej. desde 3 o 4 aciertos, en los últimos sorteos
Aquí puede excluir además, p. ej. desde 3 o 4 aciertos, en los últimos sorteos
sorteos

cantidad máxima permitida de números del último sorteo 
Coincidencia con números de un sorteo anterior
cantidad máxima permitida de números del penúltimo sorteo 
Coincidencia con números de un sorteo anterior
cantidad máxima permitida de números del antepenúltimo sorteo 
Coincidencia con números de un sorteo anterior
incluir el número complementario en el cálculo de aciertos 

Estas condiciones se aplican a cada apuesta

Limitando la suma puede evitar apuestas como 1-2-3-4-5-6 o 39-41-43-46-47-49

Si busca premios más altos, elija sumas mayores de 130. (quienes juegan fechas)

Permitir sumas de

a

en la apuesta

La distribución de las sumas de los sorteos anteriores se ve en el gráfico, botón QS 

?
Gráfico de las sumas
cantidad mínima de números primos en cada apuesta

?
Gráfico de números primos por apuesta
cantidad mínima de números pares en cada apuesta

?
Gráfico de números pares por apuesta
cantidad mínima de números impares en cada apuesta

?
Gráfico de números impares por apuesta
Las parejas suelen salir solas, pero aquí también puede forzarlas.

?
Gráfico de las parejas
forzar una pareja por apuesta

Tríos, 

?
Gráfico de los tríos
Cuartetos ... (3-4-5 o 28-29-30-31) salen bastante poco y aquí se pueden impedir del todo

?
Gráfico de los cuartetos
sin tríos, cuartetos... seguidos

Si quiere jugar con número de la suerte, aquí puede hacer que se genere también

generar también los números de la suerte al calcular
Con "al azar" y "menos extraído" no se usa ningún número de la suerte de los últimos x sorteos
Opción de la suerte

?
Gráfico de frecuencia de los números de la suerte
?
Gráfico de los números de la suerte atrasados
Opción Joker

Opciones generales de cálculo

¡usar solo números preferidos para la apuesta!

mostrar / editar la lista para generar combinaciones

Puede intentar aumentar los intentos de cálculo si con su configuración no se han podido calcular todas las apuestas. 

Máx. intentos de cálculo

mil

Estadística

Optimizar boleto

Matemático

N.º de la suerte

General


Distribución de los números extraídos
QS
Distribución de las sumas
2 seg.
Parejas de números consecutivos
3 seg.
Tríos de números consecutivos
4 seg.
Cuartetos de números consecutivos
Atrasados
cuánto tiempo lleva cada número sin salir
Suerte
cuántas veces ha salido cada número de la suerte
Atraso suerte
cuánto tiempo lleva cada número de la suerte sin salir
Sorteo del:

Evaluar
Evaluación de la apuesta para el sorteo de la fecha elegida
Base de datos

&Actualizar base de datos
Importar los sorteos desde el servidor de números
Parar
Detiene la importación
Introducir
introducción manual de los datos del sorteo.
Borrar
Borrar el sorteo mostrado
Importar CSV…
Incorporar sorteos de un archivo CSV a la base de datos
Estadística

Buscar parejas
Gráfico de las parejas de números consecutivos
Buscar tríos
Gráfico de los tríos de números consecutivos
Buscar cuartetos
Gráfico de los cuartetos de números consecutivos
Atrasados
Gráfico de los números atrasados
Atraso n.º suerte
Gráfico de los números de la suerte atrasados
Primos por apuesta
Gráfico de números primos por apuesta
Impares por apuesta
Gráfico de números impares por apuesta
Pares por apuesta
Gráfico de números pares por apuesta
Análisis histórico

Análisis histórico de los parámetros desde la fecha elegida arriba

Análisis histórico desde la fecha elegida arriba

Recalcular solo si se lograron 3 aciertos

<
mostrar el sorteo anterior
>
mostrar el sorteo siguiente
1xxxxx

x1xxxx

xx1xxx

xxx1xx

xxxx1x

xxxxx1

123456



Servidor de números

Dirección del servidor de números del que se obtienen los sorteos
Dirección del servidor de números del que se obtienen los sorteos
Proxy

Servidor proxy

Puerto proxy

Gastos de gestión de su lotería nacional:

Por un sorteo:

Por sorteo de sáb. y miér.:

En Internet

https://www.landeslotterie.example/

https://www.sorvani.example/

https://www.sorvani.example/programme/

Apuestas

Cálculo

Gráfico

Base de datos

Joker

Opciones de Internet

Ajustes de impresión del boleto

Sábado

Miércoles

Joker 1

Nuevo
Crear un número de boleto que nunca salió
Buscar
Buscar si este número ya salió
Joker 2

Nuevo
Crear un número de boleto que nunca salió
Buscar
Buscar si este número ya salió
Joker 3

Nuevo
Crear un número de boleto que nunca salió
Buscar
Buscar si este número ya salió
Mostrar el boleto para una prueba

Arriba:

Izquierda

Formato de papel:

Coste:

OK

Cancelar

En línea

Introducir los números del sorteo

Compl.:

Suerte:

Joker:

Replay:

OK

Cancelar

Qué números usar para el cálculo

Guardar
Guardar la lista
Cargar
Cargar la lista
Aceptar

Cancelar

&Calcular

&Azar

¡Elija el script para transferir los números!

Archivo de script de clics de Sorvanis

...

Parámetros 

ZAHL1

ZAHL2

TEXT1

TEXT2

Cancelar

OK

