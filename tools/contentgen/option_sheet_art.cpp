#include "contentgen/option_sheet_art.h"

Canvas DrawOptionSheet() { return MakeCanvas(394, 310); }
