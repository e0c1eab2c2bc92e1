# The closing window and the About window, driven by control name.
zt_add_test(tst_closing SOURCES tst_closing.cpp LIBS windows shell zt_layout zt_message)
zt_add_test(tst_about SOURCES tst_about.cpp LIBS windows shell zt_layout)
zt_add_test(tst_closing_lifecycle SOURCES tst_closing_lifecycle.cpp
    LIBS zt_app windows shell zt_layout zt_message)
