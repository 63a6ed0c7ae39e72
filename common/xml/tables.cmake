# The charset-name and entity tables the XML loader and reference decoder look names up in.
quorvel_core_library(quorvel_xml_tables
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/charset_table.cpp ${CMAKE_CURRENT_LIST_DIR}/entity_table.cpp
  DEPENDS quorvel_platform)
