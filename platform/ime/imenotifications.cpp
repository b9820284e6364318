#include "platform/ime/imenotifications.h"

#include "platform/ime/inputmethod.h"

#include <algorithm>
#include <cstring>

namespace platform {

HIMC ImmGetContext(HWND)
{
    return ime::InputMethod::instance() ? 1 : 0;
}

bool ImmReleaseContext(HWND, HIMC context)
{
    return context != 0;
}

LONG ImmGetCompositionStringA(HIMC context, DWORD index, void* buffer, DWORD bufferSize)
{
    const ime::InputMethod* inputMethod = ime::InputMethod::instance();
    if (context == 0 || !inputMethod || index != GCS_COMPSTR)
        return 0;
    const QByteArray composition = inputMethod->composition();
    if (bufferSize == 0 || !buffer)
        return LONG(composition.size());
    const auto copied = std::min<qsizetype>(composition.size(), bufferSize);
    std::memcpy(buffer, composition.constData(), std::size_t(copied));
    return LONG(copied);
}

} // namespace platform
