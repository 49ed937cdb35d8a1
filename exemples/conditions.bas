' Conditions : IF ... THEN, puis ELSE et ENDIF sur leurs propres lignes.
' Une condition compare deux valeurs avec = <> < > <= ou >=.
DIM AGE AS INTEGER
PRINT "Quel âge avez-vous ? ";
INPUT AGE
IF AGE >= 18 THEN
PRINT "Vous êtes majeur."
ELSE
PRINT "Vous êtes mineur."
ENDIF
