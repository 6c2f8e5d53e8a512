Sorvanis Quintora  6 z 42 Swiss

&Aktualizuj

&Oblicz

&Wyślij

Sprache/Language/Langue

Niemiecki

Francuski

Włoski

Angielski

Hiszpański

Turecki

Rosyjski

Polski

Czeski

Niderlandzki

Eksport

&Zamknij

<
pokaż poprzednie losowanie
>
pokaż następne losowanie
Aktualizuj
pobierz losowania z serwera wyników
Replay
Kliknij tutaj, aby wpisać swój numer Replay i numer losu
Losowania w soboty

Losowania w środy

Trafienia

QS

1. Zakład
Jeśli napis „Zakład” jest czerwony, ten wiersz nie zostanie ponownie obliczony!
...
Kliknij tutaj, aby zmienić ten zakład w formularzu wyboru liczb lub wygenerować go losowo
2. Zakład
Jeśli napis „Zakład” jest czerwony, ten wiersz nie zostanie ponownie obliczony!
...
Kliknij tutaj, aby zmienić ten zakład w formularzu wyboru liczb lub wygenerować go losowo
3. Zakład
Jeśli napis „Zakład” jest czerwony, ten wiersz nie zostanie ponownie obliczony!
...
Kliknij tutaj, aby zmienić ten zakład w formularzu wyboru liczb lub wygenerować go losowo
4. Zakład
Jeśli napis „Zakład” jest czerwony, ten wiersz nie zostanie ponownie obliczony!
...
Kliknij tutaj, aby zmienić ten zakład w formularzu wyboru liczb lub wygenerować go losowo
5. Zakład
Jeśli napis „Zakład” jest czerwony, ten wiersz nie zostanie ponownie obliczony!
...
Kliknij tutaj, aby zmienić ten zakład w formularzu wyboru liczb lub wygenerować go losowo
6. Zakład
Jeśli napis „Zakład” jest czerwony, ten wiersz nie zostanie ponownie obliczony!
...
Kliknij tutaj, aby zmienić ten zakład w formularzu wyboru liczb lub wygenerować go losowo
7. Zakład
Jeśli napis „Zakład” jest czerwony, ten wiersz nie zostanie ponownie obliczony!
...
Kliknij tutaj, aby zmienić ten zakład w formularzu wyboru liczb lub wygenerować go losowo
8. Zakład
Jeśli napis „Zakład” jest czerwony, ten wiersz nie zostanie ponownie obliczony!
...
Kliknij tutaj, aby zmienić ten zakład w formularzu wyboru liczb lub wygenerować go losowo
9. Zakład
Jeśli napis „Zakład” jest czerwony, ten wiersz nie zostanie ponownie obliczony!
...
Kliknij tutaj, aby zmienić ten zakład w formularzu wyboru liczb lub wygenerować go losowo
10. Zakład
Jeśli napis „Zakład” jest czerwony, ten wiersz nie zostanie ponownie obliczony!
...
Kliknij tutaj, aby zmienić ten zakład w formularzu wyboru liczb lub wygenerować go losowo
11. Zakład
Jeśli napis „Zakład” jest czerwony, ten wiersz nie zostanie ponownie obliczony!
...
Kliknij tutaj, aby zmienić ten zakład w formularzu wyboru liczb lub wygenerować go losowo
12. Zakład
Jeśli napis „Zakład” jest czerwony, ten wiersz nie zostanie ponownie obliczony!
...
Kliknij tutaj, aby zmienić ten zakład w formularzu wyboru liczb lub wygenerować go losowo
13. Zakład
Jeśli napis „Zakład” jest czerwony, ten wiersz nie zostanie ponownie obliczony!
...
Kliknij tutaj, aby zmienić ten zakład w formularzu wyboru liczb lub wygenerować go losowo
14. Zakład
Jeśli napis „Zakład” jest czerwony, ten wiersz nie zostanie ponownie obliczony!
...
Kliknij tutaj, aby zmienić ten zakład w formularzu wyboru liczb lub wygenerować go losowo
Ustaw liczbę szczęścia
Tutaj możesz trochę pomóc losowi i naprawdę wygenerować własny zakład
&Oblicz zakłady
Ustawiona liczba zakładów zostanie obliczona według podanych parametrów
Liczba zakładów do obliczenia
Liczba zakładów do obliczenia
Drukuj kupon
Jeśli masz już kupon Lotto, możesz tutaj wydrukować zakład bezpośrednio na kuponie lub wysłać go online
&Wyślij zakład
Tutaj możesz wysłać zakład online
Szukaj w bazie
Tutaj możesz sprawdzić, czy ten zakład został już kiedyś wylosowany
Rozkład zakładów
Pokaż na wykresie rozkład liczb wszystkich zakładów
Lista
Pokaż zakłady jako listę
Zapisz
Zapisz zakłady
Wczytaj
Wczytaj zakłady z pliku
Usuń
Usuń wszystkie zakłady
www.sorvani.example
Sorvani w internecie
Wybór liczb do zakładów według statystyki

W zakładce „Ogólne” możesz ustawić, że do obliczania zakładów będą używane tylko te liczby

Do obliczania zakładów używa się za każdym razem pierwszych x%. (np. do 30% maksimum)

Preferuj liczby losowane szczególnie często

Pierwsze X procent otrzymuje wyższe prawdopodobieństwo
Pierwsze X procent otrzymuje wyższe prawdopodobieństwo
%

?
Wykres częstości
Preferuj liczby losowane szczególnie rzadko

Pierwsze X procent otrzymuje wyższe prawdopodobieństwo
Pierwsze X procent otrzymuje wyższe prawdopodobieństwo
%

?
Wykres częstości
Liczby najdłużej niewylosowane

Pierwsze X procent otrzymuje wyższe prawdopodobieństwo
Pierwsze X procent otrzymuje wyższe prawdopodobieństwo
%

?
Wykres długo niewylosowanych liczb
Preferuj liczby, które często tworzą pary

najrzadsze

?
Wykres par
Preferuj liczby, które często tworzą trójki

najrzadsze

?
Wykres trójek
Preferuj liczby, które często tworzą czwórki

najrzadsze

?
Wykres czwórek
preferuj liczby sąsiednie z ostatniego losowania

Dla wyższych wygranych można „osłabić” niektóre liczby

unikaj liczb 1-12 (miesiąc, często typowany przez graczy grających datami) 

zmniejsz wagę liczb 1-31 (data)  -  rzadziej w zakładzie

Optymalizacja zakładów na kuponie względem siebie 

maks. liczba wspólnych liczb z innymi zakładami

min. liczba wspólnych liczb z innymi zakładami

Stosuj min/maks do każdego zakładu względem każdego innego

Optymalizacja zakładów względem minionych losowań

Zakład nie miał w żadnym losowaniu z bazy 
Zakład nie może mieć X trafień w żadnym losowaniu z bazy, licząc od daty z przeglądu wykresów
Ustaw wartość 5 lub 6, jeśli używasz całej bazy
Ustaw wartość 5 lub 6, jeśli używasz całej bazy
trafień

Zakład nie daje 
Zakład nie może mieć X trafień w żadnym losowaniu z bazy, licząc od daty z przeglądu wykresów
Ustaw wartość 4 lub 5, jeśli wybierasz bardzo dużą liczbę losowań
Ustaw wartość 4 lub 5, jeśli wybierasz bardzo dużą liczbę losowań
trafień w ostatnich

Tutaj możesz dodatkowo wykluczyć ostatnie losowania, np. od 3 lub 4 trafień
Tutaj możesz dodatkowo wykluczyć ostatnie losowania, np. od 3 lub 4 trafień
losowaniach

Zakład nie daje
Zakład nie może mieć X trafień w żadnym losowaniu z bazy, licząc od daty z przeglądu wykresów
Ustaw wartość 4 lub 5, jeśli wybierasz bardzo dużą liczbę losowań
Ustaw wartość 4 lub 5, jeśli wybierasz bardzo dużą liczbę losowań
trafień w ostatnich

Tutaj możesz dodatkowo wykluczyć ostatnie losowania, np. od 3 lub 4 trafień
Tutaj możesz dodatkowo wykluczyć ostatnie losowania, np. od 3 lub 4 trafień
losowaniach

maks. dozwolona ilość liczb z ostatniego losowania 
Zgodność z liczbami z poprzedniego losowania
maks. dozwolona ilość liczb z przedostatniego losowania 
Zgodność z liczbami z poprzedniego losowania
maks. dozwolona ilość liczb z trzeciego od końca losowania 
Zgodność z liczbami z poprzedniego losowania
Uwzględniaj liczbę dodatkową przy liczeniu trafień 

Te warunki są uwzględniane w każdym zakładzie

Ograniczając sumę liczb, możesz wykluczyć zakłady typu 1-2-3-4-5-6 lub 39-41-43-46-47-49

Jeśli chcesz grać o wyższe wygrane, wybierz sumę liczb powyżej 130. (gracze grający datami)

Dopuszczaj sumę liczb od

do

w zakładzie

Rozkład sum liczb minionych losowań widać na wykresie QS 

?
Wykres sum liczb
minimalna ilość liczb pierwszych w każdym zakładzie

?
Wykres liczb pierwszych w losowaniu
minimalna ilość liczb parzystych w każdym zakładzie

?
Wykres liczb parzystych w losowaniu
minimalna ilość liczb nieparzystych w każdym zakładzie

?
Wykres liczb nieparzystych w losowaniu
Pary powstają zwykle same, ale tutaj można je też wymusić.

?
Wykres par
wymuś jedną parę w każdym zakładzie

Trójki, 

?
Wykres trójek
czwórki ... (3-4-5  lub 28-29-30-31) występują stosunkowo rzadko, tutaj można je całkowicie wykluczyć

?
Wykres czwórek
bez trójek, czwórek... kolejnych liczb

Jeśli grasz z liczbą szczęścia, możesz ją tutaj również wygenerować

generuj liczby szczęścia przy obliczaniu
Przy wyborze losowym i rzadko losowanych liczbach nie jest używana liczba szczęścia z ostatnich x losowań
Liczba szczęścia

?
Wykres częstości liczb szczęścia
?
Wykres długo niewylosowanych liczb szczęścia
Joker

Ogólne opcje obliczeń

do zakładu używaj tylko preferowanych liczb!

Pokaż / edytuj listę liczb do generowania zakładów

Jeśli przy Twoich ustawieniach nie wszystkie zakłady zostały obliczone, spróbuj zwiększyć liczbę przebiegów obliczeń. 

Maks. przebiegów obliczeń

tys.

Statystyka

Optymalizacja kuponu

Matematyka

Liczba szczęścia

Ogólne


Rozkład wylosowanych liczb
QS
Rozkład sum liczb
Pary
Pary kolejnych liczb
Trójki
Trójki kolejnych liczb
Czwórki
Czwórki kolejnych liczb
Zaległe
jak długo poszczególne liczby nie były losowane
L. szczęścia
jak często losowano poszczególne liczby szczęścia
L. szcz. zaległe
jak długo poszczególne liczby szczęścia nie były losowane
Losowanie z dnia:

Sprawdź
Sprawdzenie zakładu dla losowania z wybranej daty
Baza danych

Aktualizuj &bazę danych
pobierz losowania z serwera wyników
Stop
Zatrzymuje pobieranie
Wprowadź
ręczne wprowadzanie danych losowania.
Usuń
Usuń aktualnie wyświetlone losowanie
Importuj CSV…
Przejmij losowania z pliku CSV do bazy danych
Statystyka

Szukaj par
Wykres par kolejnych liczb
Szukaj trójek
Wykres trójek kolejnych liczb
Szukaj czwórek
Wykres czwórek kolejnych liczb
Zaległe
Wykres długo niewylosowanych liczb
L. szczęścia zaległe
Wykres długo niewylosowanych liczb szczęścia
Liczby pierwsze
Wykres liczb pierwszych w losowaniu
Nieparzyste
Wykres liczb nieparzystych w losowaniu
Parzyste
Wykres liczb parzystych w losowaniu
Analiza historyczna

Analiza historyczna parametrów od wybranej powyżej daty

Analiza historyczna od wybranej powyżej daty

Ponowne obliczenie tylko po trafieniu trójki

<
pokaż poprzednie losowanie
>
pokaż następne losowanie
1xxxxx

x1xxxx

xx1xxx

xxx1xx

xxxx1x

xxxxx1

123456



Serwer liczb

Adres serwera liczb, z którego pobierane są losowania
Adres serwera liczb, z którego pobierane są losowania
Proxy

Serwer proxy

Port proxy

Opłata manipulacyjna w Twojej loterii:

Za jedno losowanie:

Za losowania w sob. i śr.:

W internecie

https://www.landeslotterie.example/

https://www.sorvani.example/

https://www.sorvani.example/programme/

Zakłady

Obliczenia

Wykres

Baza danych

Joker

Opcje internetu

Ustawienia drukowania kuponu

Sobota

Środa

Joker 1

Nowy
Utwórz numer losu, który nigdy nie został wylosowany
Szukaj
Sprawdź, czy ten numer był już wylosowany
Joker 2

Nowy
Utwórz numer losu, który nigdy nie został wylosowany
Szukaj
Sprawdź, czy ten numer był już wylosowany
Joker 3

Nowy
Utwórz numer losu, który nigdy nie został wylosowany
Szukaj
Sprawdź, czy ten numer był już wylosowany
Pokaż kupon do testu

Góra:

Lewo

Format papieru:

Koszt:

OK

Anuluj

Online

Wprowadź liczby losowania

Dod.:

Szczęście:

Joker:

Replay:

OK

Anuluj

Których liczb użyć do obliczeń

Zapisz
Zapisz listę
Wczytaj
Wczytaj listę
OK

Anuluj

&Oblicz

&Losuj

Wybierz skrypt do przekazania liczb!

Plik skryptu kliknięć Sorvanis

...

Parametry 

ZAHL1

ZAHL2

TEXT1

TEXT2

Anuluj

OK

