#pragma once

#include <QString>
#include <QStringView>

namespace lunarys::places {

// The same name with the words that are often written short written short:
// "saint" as "st", "sainte" as "ste", "mount" as "mt", "fort" as "ft", so that
// "Saint Louis", "St. Louis" and "St Louis" are one name. Takes and gives a
// folded name (FoldedForMatching).
QString ShortForm(const QString& folded);

// What a typed name is looked up with: folded, and the words typed to their
// end (those followed by a blank) written short; the last word may still be
// growing ("Mount" can become "Mountain View") and stays as typed.
QString QueryKey(QStringView typed);

}  // namespace lunarys::places
