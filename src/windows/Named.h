#pragma once

#include <QString>

namespace tibbly {

// Gives a control the name by which its window finds it, as it is made, and
// its index among the controls of that name (-1 for a single control).
template <class C> C* named(C* control, const char* name, int index = -1)
{
    control->setName(QString::fromLatin1(name));
    control->setIndex(index);
    return control;
}

} // namespace tibbly
