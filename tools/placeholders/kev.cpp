// kev.exe: placeholder of the suite's KEV tool.
#include "Placeholder.h"

int main()
{
    return rnx10::placeholder::run(
        "Zorvane KEV", QT_TRANSLATE_NOOP("Placeholder", "The KEV tool is not part of this installation; this is its placeholder."));
}
