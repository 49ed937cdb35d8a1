' Couleurs : COLOR choisit la couleur du texte (de 0 à 15) et
' LOCATE ligne,colonne place le curseur de la fenêtre Ecran.
DIM C AS INTEGER
CLS
FOR C = 1 TO 6
COLOR C,15
LOCATE C,C
PRINT "Bonjour en couleur"
NEXT
' La couleur reste d'une exécution à l'autre : on revient au noir.
COLOR 0,15
