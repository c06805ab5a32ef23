# Precompiled Qt headers. Most of a source file's compile time is spent
# reading Qt's headers, so each group of targets with the same Qt modules
# shares one precompiled header: the card-file core (QtCore), the program's
# libraries and the program (widgets and printing), and the tests (those and
# QtTest). A target must have the same Qt modules and definitions as the
# header it reuses, or the compiler quietly reads the headers again.
set(OVRIDA_CORE_HEADERS
    <QByteArray> <QFile> <QHash> <QList> <QObject> <QString> <QStringList>)
set(OVRIDA_WIDGET_HEADERS ${OVRIDA_CORE_HEADERS}
    <QAction> <QApplication> <QComboBox> <QDir> <QFileInfo> <QGridLayout> <QKeyEvent>
    <QLabel> <QLineEdit> <QMainWindow> <QPainter> <QPlainTextEdit> <QPointer>
    <QPushButton> <QScrollArea> <QTabWidget> <QWidget>)
set(OVRIDA_TEST_HEADERS ${OVRIDA_WIDGET_HEADERS} <QSignalSpy> <QTemporaryDir> <QTest>)

set(OVRIDA_TEST_DEFINITIONS OVRIDA_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data")

function(ovrida_header_target name)
  cmake_parse_arguments(ARG "" "" "HEADERS;LIBRARIES;DEFINITIONS" ${ARGN})
  set(source ${CMAKE_BINARY_DIR}/${name}.cpp)
  if(NOT EXISTS ${source})
    file(WRITE ${source} "// Holds the precompiled header of ${name}.\n")
  endif()
  add_library(${name} OBJECT ${source})
  target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES})
  target_compile_definitions(${name} PRIVATE ${ARG_DEFINITIONS})
  target_precompile_headers(${name} PRIVATE ${ARG_HEADERS})
  set_target_properties(${name} PROPERTIES AUTOMOC OFF)
endfunction()

ovrida_header_target(ovrida_pch_core HEADERS ${OVRIDA_CORE_HEADERS} LIBRARIES Qt6::Core)
ovrida_header_target(ovrida_pch_widgets HEADERS ${OVRIDA_WIDGET_HEADERS}
                     LIBRARIES Qt6::Widgets Qt6::PrintSupport)
# The tests' header target is made in the tests' folder (QtTest defines the
# folder's paths).

# Lets `target` reuse the precompiled header `header_target`.
function(ovrida_use_headers target header_target)
  target_precompile_headers(${target} REUSE_FROM ${header_target})
endfunction()
