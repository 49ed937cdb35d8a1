' Table de multiplication : le programme demande un nombre
' et affiche sa table, de 1 à 10, avec une boucle FOR ... NEXT.
DIM N AS INTEGER
DIM I AS INTEGER
DIM P AS INTEGER
PRINT "Quelle table voulez-vous ? ";
INPUT N
FOR I = 1 TO 10
' Une ligne de calcul ne fait qu'une opération.
P = N * I
' PRINT affiche une seule valeur ; ";" reste sur la même ligne.
PRINT N;
PRINT " x ";
PRINT I;
PRINT " = ";
PRINT P
NEXT
