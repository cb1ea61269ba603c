#include "tokenstore.h"

namespace OrlAccount {

void TokenStore::clear()
{
    remove(QString::fromLatin1(AccessTokenKey));
    remove(QString::fromLatin1(RefreshTokenKey));
}

} // namespace OrlAccount
