' Pas à pas : la ligne qui commence par » porte un point d'arrêt.
' F9 exécute le programme jusqu'à ce point d'arrêt ; « Voir, Examiner
' variable » montre alors la valeur de TOTAL, et F7 continue.
' F5 pose ou enlève un point d'arrêt sur la ligne du curseur.
' Avec « Exécuter, Mode pas à pas », F9 puis chaque F7 n'exécutent
' qu'une ligne et marquent d'un • la ligne suivante.
DIM N AS INTEGER
DIM TOTAL AS INTEGER
FOR N = 1 TO 3
TOTAL = TOTAL + N
PRINT TOTAL
NEXT
»PRINT "Après le point d'arrêt"
PRINT "Total final : ";
PRINT TOTAL
