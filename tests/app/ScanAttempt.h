#pragma once
#include <QString>

#include <ostream>

// One attempt of the connect dialog's scan as the dialog shows it: the
// candidate's number ("1/3") and what is tried.
struct Attempt {
    QString number, text;
    bool operator==(const Attempt &o) const { return number == o.number && text == o.text; }
};
inline void PrintTo(const Attempt &a, std::ostream *os)
{
    *os << a.number.toStdString() << " " << a.text.toStdString();
}
