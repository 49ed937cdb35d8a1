' GOSUB : aller à une étiquette, puis revenir avec RETURN à la ligne
' qui suit le GOSUB. L'étiquette est seule sur sa ligne, suivie de ":".
DIM A AS INTEGER
DIM B AS INTEGER
DIM S AS INTEGER
A = 12
B = 30
GOSUB ADDITION
A = 100
B = 250
GOSUB ADDITION
END

ADDITION:
S = A + B
PRINT A;
PRINT " + ";
PRINT B;
PRINT " = ";
PRINT S
RETURN
