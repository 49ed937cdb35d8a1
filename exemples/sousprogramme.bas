' Sous-programme : CALL appelle une SUB ; END SUB revient à la ligne
' qui suit le CALL. Une SUB n'a pas de paramètres : elle utilise les
' variables du programme. Les SUB se placent après END, pour que le
' programme ne les exécute pas en passant.
DIM LARGEUR AS INTEGER
DIM TRAIT$ AS STRING
LARGEUR = 10
CALL SOULIGNE
PRINT "Korvane"
LARGEUR = 20
CALL SOULIGNE
END

SUB SOULIGNE
TRAIT$ = STRING$(LARGEUR,"-")
PRINT TRAIT$
END SUB
