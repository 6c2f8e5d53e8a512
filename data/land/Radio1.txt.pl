losowy wybór
najrzadziej losowana liczba szczęścia
najdłużej niewylosowana liczba szczęścia
