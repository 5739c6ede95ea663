// tvqs.exe: placeholder of the suite's QRS tool.
#include "Placeholder.h"

int main()
{
    return rnx10::placeholder::run(
        "Zorvane QRS", QT_TRANSLATE_NOOP("Placeholder", "The QRS tool is not part of this installation; this is its placeholder."));
}
