# Layout and render tests (layout_*, render_*, fidelity_*), and the font fallback test run
# under a font configuration without the wine faces.
if(TARGET engine_layout)
  add_quillory_test(layout_tests SOURCES layout_test_main.cpp layout_fonts_test.cpp layout_paragraph_test.cpp
    layout_table_test.cpp layout_pages_test.cpp layout_lines_test.cpp LIBS engine_layout)

  set(fallback_conf ${CMAKE_CURRENT_BINARY_DIR}/fonts-without-wine.conf)
  file(WRITE ${fallback_conf} "<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"fonts.dtd\">\n<fontconfig>\n  <dir>/usr/share/fonts</dir>\n  <cachedir>${CMAKE_CURRENT_BINARY_DIR}/fontconfig-cache</cachedir>\n</fontconfig>\n")
  add_quillory_test(layout_font_fallback_tests SOURCES layout_test_main.cpp layout_font_fallback_test.cpp
    LIBS engine_layout ENV "FONTCONFIG_FILE=${fallback_conf};QUILLORY_FONT_DIR=${CMAKE_CURRENT_BINARY_DIR}/no-fonts")
endif()
if(TARGET engine_render)
  add_quillory_test(render_tests SOURCES layout_test_main.cpp render_page_test.cpp render_pdf_test.cpp
    LIBS engine_render)
endif()
# LibreOffice's reading of the generator's saved résumés against the engine's own PDF.
if(TARGET engine_layout_services AND TARGET engine_docx AND TARGET wordgen)
  add_quillory_test(fidelity_tests SOURCES layout_test_main.cpp fidelity_support.cpp fidelity_resume_test.cpp
    LIBS engine_layout_services wordgen)
endif()
if(TARGET engine_layout_services AND TARGET engine_docx AND TARGET wordgen)
  add_quillory_test(render_services_tests SOURCES layout_test_main.cpp render_services_test.cpp
    LIBS engine_layout_services wordgen)
endif()
