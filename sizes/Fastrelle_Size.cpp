// Fastrelle_Size.
#include "sizes/Fastrelle_Size.h"

#include "framework/Fastrelle_Settings.h"

int DefaultSizeColor() { return GetSettingInt(L"SizeDefaultColor"); }

Fastrelle_Size::Fastrelle_Size() : m_color(DefaultSizeColor()) {}
