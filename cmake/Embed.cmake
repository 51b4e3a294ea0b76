# vt_embed(TARGET SYMBOL FILE): links the bytes of FILE into TARGET. C++ code reaches them as
#   extern "C" const unsigned char SYMBOL_begin[], SYMBOL_end[];
# The bytes are included by the assembler, so large files cost nothing at configure time, and
# the target is rebuilt whenever FILE changes (FILE may be the output of another target).
function(vt_embed target symbol file)
  set(asm ${CMAKE_CURRENT_BINARY_DIR}/embed_${symbol}.S)
  file(WRITE ${asm}.in
"    .section .rodata
    .global ${symbol}_begin
    .global ${symbol}_end
    .balign 16
${symbol}_begin:
    .incbin \"@EMBED_FILE@\"
${symbol}_end:
    .byte 0
    .section .note.GNU-stack,\"\",@progbits
")
  set(EMBED_FILE ${file})
  configure_file(${asm}.in ${asm} @ONLY)
  target_sources(${target} PRIVATE ${asm})
  set_source_files_properties(${asm} PROPERTIES OBJECT_DEPENDS ${file})
endfunction()
