# What keeps a fresh build short on two cores.
#
# The window libraries parse the Qt and standard headers nearly all their
# files include once, into a precompiled header that ui_platform makes and
# the others reuse.
set(WINDOW_PRECOMPILED_HEADERS
  <QAction> <QApplication> <QCheckBox> <QComboBox> <QFrame> <QKeyEvent> <QLabel> <QLineEdit> <QMenu>
  <QMenuBar> <QObject> <QPointer> <QProgressBar> <QPushButton> <QString> <QVBoxLayout> <QWidget>
  <algorithm> <cstdint> <functional> <map> <memory> <optional> <string> <string_view> <vector>)

function(precompile_window_headers target)
  if(target STREQUAL "ui_platform")
    target_precompile_headers(${target} PRIVATE ${WINDOW_PRECOMPILED_HEADERS})
  else()
    target_precompile_headers(${target} REUSE_FROM ui_platform)
  endif()
  # ccache can cache the files that use it when GCC names the header in its
  # preprocessed text (scripts/test.sh sets ccache's sloppiness to match).
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(${target} PRIVATE -fpch-preprocess)
  endif()
endfunction()

# A test program's files are compiled eight to a unit: they share most of
# their headers and the code those headers make. Included into a unit, a
# test file reads to GCC as a header, whose fixtures in an unnamed namespace
# it would warn of.
function(compile_tests_in_batches target)
  set_target_properties(${target} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 8)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(${target} PRIVATE -Wno-subobject-linkage)
  endif()
endfunction()

# LLVM's linker, where it is installed, links a test program in a quarter of
# the time the system's default linker takes.
include(CheckLinkerFlag)
check_linker_flag(CXX -fuse-ld=lld DBFVIEW_LINKER_LLD)
if(DBFVIEW_LINKER_LLD)
  add_link_options(-fuse-ld=lld)
endif()
