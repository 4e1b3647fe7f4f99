# cmake -DEXE=file -DBITS=32|64 -P check-pe.cmake: fails unless EXE is a Windows GUI program
# of that architecture (PE32 for i386, PE32+ for x86-64).
file(READ "${EXE}" head LIMIT 1024 HEX)
function(read_le offset bytes out)
    math(EXPR start "${offset} * 2")
    math(EXPR len "${bytes} * 2")
    string(SUBSTRING "${head}" ${start} ${len} hex)
    set(value "")
    foreach(i RANGE 0 ${len} 2)
        if(i LESS len)
            string(SUBSTRING "${hex}" ${i} 2 byte)
            set(value "${byte}${value}")
        endif()
    endforeach()
    math(EXPR value "0x${value}")
    set(${out} ${value} PARENT_SCOPE)
endfunction()
read_le(0 2 mz)
read_le(60 4 pe)
read_le(${pe} 4 signature)
math(EXPR machine_at "${pe} + 4")
math(EXPR magic_at "${pe} + 24")
math(EXPR subsystem_at "${pe} + 24 + 68")
read_le(${machine_at} 2 machine)
read_le(${magic_at} 2 magic)
read_le(${subsystem_at} 2 subsystem)
if(BITS EQUAL 64)
    set(want_machine 34404) # IMAGE_FILE_MACHINE_AMD64
    set(want_magic 523)     # PE32+
else()
    set(want_machine 332)   # IMAGE_FILE_MACHINE_I386
    set(want_magic 267)     # PE32
endif()
if(NOT mz EQUAL 23117 OR NOT signature EQUAL 17744 OR NOT machine EQUAL want_machine
   OR NOT magic EQUAL want_magic OR NOT subsystem EQUAL 2)
    message(FATAL_ERROR "${EXE}: machine ${machine}, magic ${magic}, subsystem ${subsystem}; "
                        "want a ${BITS}-bit GUI program (machine ${want_machine}, magic ${want_magic}, subsystem 2)")
endif()
message(STATUS "${EXE}: ${BITS}-bit Windows GUI program")
