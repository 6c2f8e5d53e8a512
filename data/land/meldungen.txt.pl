Rozkład wylosowanych liczb
Losowań
Średnia suma liczb
Częstość liczb szczęścia
Wyszukiwanie w bazie danych
Przy ilu trafieniach zatrzymać wyszukiwanie?
Trafienia w losowaniu z dnia
Szukać dalej?
Znaleziono trafienie
Pary
łącznie
Trójki
Numer losu
Rozkład sum liczb
Średnia suma liczb
Czwórki
Stop
Obliczanie statystyki:
Pary
Trójki
Czwórki
Długo niewylosowane liczby
Sąsiednie liczby ostatniego losowania
Obliczanie zakładów ...
Zakład
Nie udało się obliczyć wszystkich zakładów. Zwiększ liczbę przebiegów obliczeń.
Obliczenia zakończone
Proszę czekać ...
Od ilu losowań liczby nie padły
Rozkład liczb w Twoich zakładach
Wartość początkowa generatora liczb losowych
Wartość początkowa:
Generator liczb losowych ustawiony na
Historyczna analiza parametrów
Nie udało się przeprowadzić analizy.
Trwa analiza ...
Których liczb użyć do obliczeń
Liczba
Od ilu losowań liczby szczęścia nie padły
Przy ilu wspólnych liczbach zatrzymać?
Wspólne liczby ze wszystkimi wcześniejszymi losowaniami
Wspólne liczby z następnym losowaniem
Wspólne liczby z drugim kolejnym losowaniem
Wspólne liczby z trzecim kolejnym losowaniem
Liczby pierwsze w każdym z
wylosowanych liczb to liczby pierwsze
Liczby nieparzyste w każdym z
wylosowanych liczb to liczby nieparzyste
Liczby parzyste w każdym z
wylosowanych liczb to liczby parzyste
Czy na pewno usunąć wszystkie niezablokowane zakłady?
Usuń zakłady
Losowanie
Data
Podaj Replay i numer losu
Grając online, możesz wybrać taki numer losu, który jeszcze nigdy nie padł.
Więcej opcji w „Obliczenia=>Ogólne”
Port proxy nie jest liczbą:
Serwer liczb nie odpowiedział na czas:
Każde pole Joker wymaga jednej cyfry od 0 do 9. Losowanie nie zostało zapisane.
Import CSV
Nowe losowania
Zastąpione losowania
Niezmienione losowania
Odrzucone wiersze
Wiersz
Pozostałe odrzucone wiersze
Czy przejąć teraz te losowania do bazy danych?
Plik nie zawiera żadnego prawidłowego losowania. Baza danych pozostaje bez zmian.
Czy na pewno usunąć to losowanie z bazy danych?
Zapisz jako PDF
Pierwsze pole jest puste, ale wiersz zawiera liczby lub liczbę szczęścia. Wypełnij typ od pierwszego pola albo go usuń. Nic nie zostało wydrukowane.
Co osiągnęłyby średnio losowe typy (ta sama liczba rzędów):
Zatrzymano przedwcześnie po losowaniu z dnia
Zainstalować Sorvanis Klickwerk?
Zainstalować Klickwerk teraz?
Wywołanie programu Klickwerk jest za długie: ścieżka programu i wiersz poleceń mogą mieć najwyżej 1023 znaki każde. Skróć parametry. Nic nie zostało uruchomione.
Odpowiedź serwera liczb jest większa niż 64 KiB i została odrzucona:
Serwer liczb przekierowuje; przekierowanie nie jest wykonywane:
Odpowiedź serwera liczb nie została zapisana, nie jest prawidłowym losowaniem:
%1 jest większy niż %2 i nie zostanie wczytany.
%1 nie jest zwykłym plikiem (lecz np. folderem, urządzeniem lub potokiem) i nie zostanie wczytany.
Nie udało się zapisać ustawień: %1
jeszcze niedostępne!
&Oblicz zakłady
Nie można otworzyć %1: %2.
Nie można odczytać %1: %2.
Nie można utworzyć %1: %2.
Nie można zapisać %1: %2. Plik pozostaje bez zmian.
Nie można zastąpić %1 nową wersją: %2. Plik pozostaje bez zmian.
Nie można zablokować %1 do zapisu (plik blokady %2): %3.
Nie można zablokować %1 do zapisu: %2 nie jest plikiem blokady, lecz dowiązaniem, folderem lub plikiem specjalnym. Usuń go, aby można było zapisać plik losowań.
%1 jest właśnie zapisywany przez inny program. Spróbuj ponownie, gdy skończy.
%1 nie wygląda na plik losowań (%2); pozostaje bez zmian.
jego rozmiar %1 bajtów nie jest wielokrotnością wpisów po %2 bajtów
wpis %1 nie ma daty między 1970 a rokiem od dziś
wpis %1 ma datę wcześniejszą niż wpis przed nim
Wiersz 1 nie jest nagłówkiem %1.
Plik jest pusty; oczekiwano nagłówka %1.
%1, wiersz %2: %3
wiersz jest dłuższy niż %1 bajtów
oczekiwano pól: %1, znaleziono: %2
data nie jest prawdziwą datą (RRRR-MM-DD): %1
pole %1 musi być liczbą od %2 do %3: %4
Joker musi mieć sześć cyfr lub być pusty: %1
liczba %1 występuje dwa razy
„%1” w rzędzie %2 nie jest liczbą całkowitą.
„%1” nie jest prawidłową liczbą całkowitą.
Minimum sumy cyfr %1 jest większe od maksimum %2: nie można obliczyć żadnego typu.
Baza danych nie zawiera żadnego losowania.
Nie wybrano skryptu kliknięć.
Tekst dla %1 zawiera koniec wiersza, którego żaden wiersz skryptu nie może przyjąć. Nic nie zostało uruchomione.
Wypełniony skrypt byłby większy niż %1 MiB (wiersz %2). Nic nie zostało uruchomione.
Wiersz %1 wypełnionego skryptu zawiera znak %2, którego Windows-1252 nie potrafi zapisać. Nic nie zostało uruchomione.
Zapytanie do serwera liczb nie powiodło się: %1
nie ma takiego pliku ani folderu
odmowa dostępu
dysk jest pełny
nośnik jest tylko do odczytu
to jest folder
część ścieżki nie jest folderem
urządzenie zgłosiło błąd
