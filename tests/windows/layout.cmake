zt_add_test(tst_layout SOURCES tst_layout.cpp LIBS zt_layout Qt6::Widgets)
target_compile_definitions(tst_layout PRIVATE ZT_WEB_HOST="${ZT_WEB_HOST}")
