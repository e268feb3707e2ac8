#include "entryfiles/filterreplace.h"

#include "entryfiles/tr.h"

namespace vantro {

Result<FilterRemoval> replaceFilterInFile(const QString &, QByteArrayView, bool (*)())
{
    return Error{ErrorKind::Failed, entryfiles::Tr::tr("Replacing the filter is not built yet.")};
}

} // namespace vantro
