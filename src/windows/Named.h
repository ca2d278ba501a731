#pragma once

#include <QString>

namespace tibbly {

// Gives a control the name by which its window finds it, as it is made.
template <class C> C* named(C* control, const char* name)
{
    control->setName(QString::fromLatin1(name));
    return control;
}

} // namespace tibbly
