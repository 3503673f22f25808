#include "caption_1251.h"

#include "code_page.h"

namespace office {

std::string To1251(const char* utf8) { return ui::EncodeTyped(QString::fromUtf8(utf8)); }

}  // namespace office
