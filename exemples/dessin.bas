' Dessin : une maison sur la fenêtre Ecran.
' LINE (x1,y1)-(x2,y2) trace un trait ; avec ",B" à la fin, un cadre.
' Les coordonnées sont des pixels, (0,0) en haut à gauche.
' korvane-run, dans un terminal, n'écrit que les textes des PRINT.
CLS
PRINT "Ma maison"
' Les murs
LINE (100,120)-(260,240),B
' Le toit
LINE (100,120)-(180,60)
LINE (180,60)-(260,120)
' La porte et la fenêtre
LINE (160,180)-(200,240),B
LINE (120,140)-(150,170),B
PRINT "Dessin terminé"
