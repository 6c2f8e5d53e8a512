elegir simplemente al azar
número de boleto nunca extraído
últimas 5 cifras del n.º de boleto nunca extraídas
últimas 4 cifras del n.º de boleto nunca extraídas
últimas 3 cifras del n.º de boleto nunca extraídas
