' Boucles : WHILE ... WEND répète tant que sa condition est vraie ;
' DO ... LOOP répète jusqu'à ce que la condition de LOOP soit vraie.
DIM N AS INTEGER
' Compte à rebours
N = 5
WHILE N > 0
PRINT N;
PRINT " ";
N = N - 1
WEND
PRINT "Partez !"
' Les puissances de 2 jusqu'à dépasser 500
N = 1
DO
N = N * 2
PRINT N
LOOP N > 500
