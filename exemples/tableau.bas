' Tableau : DIM NOTES(5) réserve cinq cases, de NOTES(1) à NOTES(5).
' L'indice est un nombre ou une variable INTEGER.
DIM NOTES(5) AS INTEGER
DIM I AS INTEGER
DIM V AS INTEGER
DIM SOMME AS INTEGER
DIM MEILLEURE AS INTEGER
NOTES(1) = 12
NOTES(2) = 15
NOTES(3) = 9
NOTES(4) = 17
NOTES(5) = 11
FOR I = 1 TO 5
V = NOTES(I)
SOMME = SOMME + V
IF V > MEILLEURE THEN
MEILLEURE = V
ENDIF
NEXT
PRINT "Somme : ";
PRINT SOMME
PRINT "Meilleure note : ";
PRINT MEILLEURE
' Dans un INTEGER, / arrondit à l'entier le plus proche.
V = SOMME / 5
PRINT "Moyenne arrondie : ";
PRINT V
