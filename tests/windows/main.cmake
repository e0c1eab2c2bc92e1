# The main and results windows and the window registry, driven by control name.
zt_add_test(tst_main_window SOURCES tst_main_window.cpp
    LIBS windows shell pinnacle zt_layout zt_message Qt6::Widgets)
