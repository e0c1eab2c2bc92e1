add_library(zt_layout STATIC
    ClickLabel.h ClickLabel.cpp LayoutBuilder.h LayoutBuilder.cpp
    layouts/Layouts.h layouts/Texts.cpp layouts/frmMainLayout.cpp layouts/SecondaryLayouts.cpp)
target_include_directories(zt_layout PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}
    PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/layouts ${PROJECT_SOURCE_DIR}/shell)
target_link_libraries(zt_layout PUBLIC Qt6::Widgets zt_resources)
# The texts name the maker's web site by its configured address.
target_compile_definitions(zt_layout PRIVATE ZT_WEB_HOST="${ZT_WEB_HOST}")
