# Word file tests (included by this folder's CMakeLists.txt).
if(TARGET engine_docx)
  add_quillory_test(docx_tests
    SOURCES docx_support.cpp docx_corpus.cpp docx_write_test.cpp docx_save_test.cpp docx_read_test.cpp docx_damaged_test.cpp
    LIBS engine_docx pugixml::pugixml)
  # Checks by other programs: the schemas, LibreOffice and python-docx. Skips what is missing.
  add_quillory_test(docx_validation_tests
    SOURCES docx_support.cpp docx_validation_test.cpp
    LIBS engine_docx pugixml::pugixml)
endif()
