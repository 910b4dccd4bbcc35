// A layout kept in a file.
#include "layout/Layout_saver_file.h"

void Layout_saver_file::SetFileTypes() {
  m_path.Empty();
  m_description.Empty();
  m_pattern.Empty();
}
