#include "web/utf8_text.h"

#include "platform/code_page.h"

namespace velmora {

Text Utf8ToLocalText(const ByteString& bytes)
{
    Text local = LocalFromUtf8(bytes);
    local.resize(local.find('\0') == Text::npos ? local.size() : local.find('\0'));
    return local;
}

} // namespace velmora
