' Fichier : le programme écrit une liste dans un fichier texte,
' puis la relit ligne par ligne jusqu'à la fin du fichier.
DIM NOM$ AS STRING
DIM LIGNE$ AS STRING
NOM$ = "courses.txt"
' "O" ouvre le canal 1 en écriture : le fichier est créé ou vidé.
OPEN "O",1,NOM$
PRINT# 1,"pain"
PRINT# 1,"lait"
PRINT# 1,"pommes"
CLOSE# 1
' "I" ouvre le canal 2 en lecture ; NOT EOF(2) reste vrai tant
' qu'il reste une ligne à lire.
OPEN "I",2,NOM$
PRINT "Liste des courses :"
WHILE NOT EOF(2)
LINE INPUT# 2,LIGNE$
PRINT LIGNE$
WEND
CLOSE# 2
' KILL efface le fichier.
KILL NOM$
