' Bonjour : le programme demande votre prénom et vous salue.
' INPUT n'affiche pas de question : on l'écrit d'abord avec PRINT,
' terminé par ";" pour que la réponse vienne sur la même ligne.
DIM PRENOM$ AS STRING
DIM MESSAGE$ AS STRING
PRINT "Comment vous appelez-vous ? ";
INPUT PRENOM$
' Le signe + colle deux chaînes l'une à l'autre.
MESSAGE$ = "Bonjour " + PRENOM$
PRINT MESSAGE$
PRINT "Bienvenue dans Korvane !"
