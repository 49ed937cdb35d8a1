' Devinette : l'ordinateur choisit un nombre de 1 à 100 avec RND
' et vous dit, à chaque proposition, s'il est plus grand ou plus petit.
DIM CHOIX$ AS STRING
DIM R AS REAL
DIM SECRET AS INTEGER
DIM ESSAI AS INTEGER
DIM COUPS AS INTEGER
' RANDOMIZE rend chaque partie différente. Sans lui, RND reprend la
' même suite de nombres : pratique pour s'entraîner ou pour vérifier.
PRINT "Nombre au hasard (O/N) ? ";
INPUT CHOIX$
CHOIX$ = UCASE$(CHOIX$)
IF CHOIX$ = "N" THEN TIRAGE
RANDOMIZE
TIRAGE:
' RND donne un réel entre 0 et 1 (exclu) : on le ramène entre 1 et 100.
' INT arrondit à l'entier le plus proche.
R = RND
R = R * 100
R = R - 0.5
SECRET = INT(R)
SECRET = SECRET + 1
PRINT "J'ai choisi un nombre entre 1 et 100."
ENCORE:
PRINT "Votre proposition ? ";
INPUT ESSAI
COUPS = COUPS + 1
IF ESSAI = SECRET THEN GAGNE
IF ESSAI < SECRET THEN PLUSGRAND
PRINT "C'est plus petit."
GOTO ENCORE
PLUSGRAND:
PRINT "C'est plus grand."
GOTO ENCORE
GAGNE:
PRINT "Bravo, trouvé en ";
PRINT COUPS;
PRINT " coups !"
