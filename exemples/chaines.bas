' Chaînes : les fonctions de texte. Une fonction s'écrit à droite
' du signe = ; ses arguments sont séparés par une virgule sans blanc.
DIM MOT$ AS STRING
DIM R$ AS STRING
DIM N AS INTEGER
MOT$ = "Programmation"
PRINT MOT$
N = LEN(MOT$)
PRINT "Nombre de lettres : ";
PRINT N
R$ = LEFT$(MOT$,3)
PRINT "Les 3 premières : ";
PRINT R$
R$ = RIGHT$(MOT$,5)
PRINT "Les 5 dernières : ";
PRINT R$
R$ = MID$(MOT$,4,4)
PRINT "4 lettres depuis la 4e : ";
PRINT R$
R$ = UCASE$(MOT$)
PRINT "En majuscules : ";
PRINT R$
N = INSTR(MOT$,"m")
PRINT "Premier m à la position ";
PRINT N
N = ASC(MOT$)
PRINT "Code de la première lettre : ";
PRINT N
R$ = STRING$(13,"*")
PRINT R$
