#include "colmemo/EditorRules.h"

namespace colmemo {

namespace {

const TStringList CommentMarkers{u"'", u"rem"};

const TStringList StatementKeywords{
    u"ABS",       u"ASC",      u"CALL",     u"CHDIR",   u"CHR$",       u"CLOSE",       u"CLS",
    u"COLOR",     u"COMMAND$", u"COS",      u"DATE$",   u"DO",         u"ELSE",        u"END",
    u"END SUB",   u"ENDIF",    u"EOF",      u"EXIT DO", u"EXIT FOR",   u"EXIT SUB",    u"EXIT WHILE",
    u"EXP",       u"FOR",      u"GOSUB",    u"GOTO",    u"HEX$",       u"IF",          u"INPUT",
    u"INSTR",     u"INT",      u"KILL",     u"LCASE$",  u"LEFT$",      u"LEN",         u"LINE",
    u"LINE INPUT", u"LINE INPUT#", u"LOCATE", u"LOG",   u"LOOP",       u"LPRINT",      u"MID$",
    u"MKDIR",     u"NEXT",     u"OPEN",     u"PRINT",   u"PRINT#",     u"RANDOMIZE",   u"REM",
    u"RIGHT$",    u"RMDIR",    u"RND",      u"SIN",     u"SPACE$",     u"SQR",         u"STR$",
    u"STRING$",   u"SUB",      u"THEN",     u"TIME$",   u"UCASE$",     u"VAL",         u"WEND",
    u"WHILE"};

const TStringList DeclarationKeywords{u"AS", u"DIM", u"INTEGER", u"REAL", u"STRING"};

}  // namespace

void SetEditorColorRules(TDrawRules& Rules) {
  Rules.Clear();
  TColorRule& Comments = Rules.Add();
  Comments.KeyDrawingType = dtBeginLineEnd;
  Comments.DefKeyColor = clGray;
  Comments.SetKeyLineEndLst(CommentMarkers);

  TColorRule& Statements = Rules.Add();
  Statements.KeyDrawingType = dtKeyShow;
  Statements.DefKeyColor = clBlue;
  Statements.SetKeywords(StatementKeywords);

  TColorRule& Declarations = Rules.Add();
  Declarations.KeyDrawingType = dtKeyShow;
  Declarations.DefKeyColor = clMaroon;
  Declarations.SetKeywords(DeclarationKeywords);
  Rules.NeedsPrepare = true;
}

}  // namespace colmemo
