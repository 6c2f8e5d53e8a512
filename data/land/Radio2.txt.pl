losowy wybór
numeru losu nigdy nie wylosowano
ostatnich 5 cyfr numeru nigdy nie wylosowano
ostatnich 4 cyfr numeru nigdy nie wylosowano
ostatnich 3 cyfr numeru nigdy nie wylosowano
