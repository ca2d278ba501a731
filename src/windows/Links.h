#pragma once

#include <QString>

// The addresses the start and About windows open in the web browser. They live
// here alone so that a change of address is made once.
namespace tibbly::links {

inline const QString kWebPage = QStringLiteral("https://www.example.com/");
inline const QString kDonatePage = QStringLiteral("https://www.example.com/pages/donate.html");

} // namespace tibbly::links
