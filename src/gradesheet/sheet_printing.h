#pragma once

namespace markwise {

class CMarkwiseView;

// The grade sheet's print commands: "&Print..." (ID_FILE_PRINT), direct print
// (ID_FILE_PRINT_DIRECT) and "Print Pre&view" (ID_FILE_PRINT_PREVIEW). Prints the view's
// class with the application's current cutoffs.
void RunSheetPrintCommand(int id, CMarkwiseView& view);

} // namespace markwise
