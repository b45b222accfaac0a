#pragma once

#include <QString>
#include <QStringList>

namespace virdo {

// What the voice says for texts the windows show, one sentence after the other: words, not
// marks. The arrow before a number is heard as a colon ("Total provisoire > 12" as
// "Total provisoire : 12"), other arrows not at all, a row of dots or of "!" as one, and the
// blank a number keeps for its sign is dropped. The texts on screen are left as they are.
QString spokenText(const QStringList &texts);

} // namespace virdo
