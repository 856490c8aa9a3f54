// Words planted for the words check to find (it must name exactly two):
// a Japanese literal and an English one handed to a text call. The comment
// "ポーズ" and the table name below are not words in the code.
void PlantedWords() {
    const char* title = "ポーズ";
    DrawTextInRect("Paused", 1, 0, 0, 640, 480);
    DrawTextInRect(Tr(TextName::PauseResume), 1, 0, 0, 640, 480);
    TextOut(10, 10, title);
}
