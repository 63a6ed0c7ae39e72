quorvel_core_test(xml_tables_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tables_test.cpp
  DEPENDS quorvel_xml_tables)
