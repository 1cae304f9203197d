# Project files of any content through dump (and back), lint and graph.
aoat_fuzzer(project_tools ${CMAKE_CURRENT_LIST_DIR}/project_tools.cpp aoat_lint aoat_graph)
