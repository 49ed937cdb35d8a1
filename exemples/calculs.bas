' Calculs : INTEGER pour les entiers, REAL pour les nombres à virgule.
' Une ligne de calcul ne fait qu'une opération : + - * / \ ou MOD.
DIM A AS INTEGER
DIM B AS INTEGER
DIM Q AS INTEGER
DIM R AS INTEGER
DIM X AS REAL
A = 17
B = 5
' \ donne le quotient entier, MOD le reste.
Q = A \ B
R = A MOD B
PRINT "17 = 5 x ";
PRINT Q;
PRINT " + ";
PRINT R
' / dans un REAL donne le quotient exact.
X = 7 / 4
PRINT "7 / 4 = ";
PRINT X
X = SQR(144)
PRINT "Racine carrée de 144 : ";
PRINT X
