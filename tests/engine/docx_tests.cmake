# Word file tests (included by this folder's CMakeLists.txt).
if(TARGET engine_docx)
  add_quillory_test(docx_tests
    SOURCES docx_support.cpp docx_corpus.cpp docx_write_test.cpp docx_save_test.cpp docx_read_test.cpp docx_damaged_test.cpp
    LIBS engine_docx pugixml::pugixml)
  # Checks by other programs: the schemas, LibreOffice and python-docx. Skips what is missing.
  add_quillory_test(docx_validation_tests
    SOURCES docx_support.cpp docx_validation_test.cpp
    LIBS engine_docx pugixml::pugixml)
  # With the automation library, the checks also cover résumés built by the generator's
  # own calls and saved through the late-bound SaveAs.
  if(TARGET engine_automation)
    target_link_libraries(docx_validation_tests PRIVATE engine_automation)
    target_compile_definitions(docx_validation_tests PRIVATE QUILLORY_HAVE_AUTOMATION)
  endif()
endif()
# With the layout, the saved file's page count in LibreOffice is compared with the engine's.
if(TARGET engine_docx AND TARGET engine_layout_services)
  add_quillory_test(docx_fidelity_tests SOURCES docx_support.cpp docx_fidelity_test.cpp
    LIBS engine_docx engine_layout_services pugixml::pugixml Qt6::Gui)
endif()
