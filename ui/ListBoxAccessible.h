#pragma once
// What a screen reader is told of a list box: a list whose children are
// its rows, each with its text and, where it has one, its description.
//
// The toolkit describes its own list view this way; a list box that places
// its rows itself gets the same from here, its rows made on demand, so a
// million rows cost nothing until one is read.

class QAccessibleInterface;
class QObject;
class QString;

namespace rk {

// The accessible interfaces of the program's list boxes, for
// QAccessible::installFactory.
QAccessibleInterface* listBoxAccessible(const QString& key, QObject* object);

} // namespace rk
