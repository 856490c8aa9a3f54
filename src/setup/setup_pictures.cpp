#include "setup/setup_pictures.h"

#include "content/title_sheet.h"

void DrawBrackets(int leftX, int rightX, int y, int f) {
    TitlePicture(titleSheetLayout::BracketLeft(f), leftX, y);
    TitlePicture(titleSheetLayout::BracketRight(f), rightX, y);
}
