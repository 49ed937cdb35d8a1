#pragma once

#include "colmemo/DrawRules.h"

namespace colmemo {

// Replaces Rules by the BASIC editor's three rules: comments in grey, the
// statement and function keywords in blue, the declaration words in maroon.
void SetEditorColorRules(TDrawRules& Rules);

}  // namespace colmemo
