#pragma once

class FormVarnook;

// Puts the Dutch captions on the main window's controls, over the English
// ones it is designed with. The five styles keep their order, so a stored
// style index means the same style.
void ApplyCaptions(FormVarnook& form);
