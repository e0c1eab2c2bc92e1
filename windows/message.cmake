add_library(zt_message STATIC ShowMessage.h ShowMessage.cpp)
target_include_directories(zt_message PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
# Branding.h is header-only; including it rather than linking shell avoids a cycle (shell links us).
target_include_directories(zt_message PRIVATE ${PROJECT_SOURCE_DIR}/shell)
target_link_libraries(zt_message PUBLIC Qt6::Widgets)
