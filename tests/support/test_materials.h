#pragma once
// A Materials.txt for hand-worked checks: every tape with a flat permeability curve, so that
// the magnetizing current grows in proportion to the flux; ferrite and Hall figures as the
// shipped file gives them.

namespace windara::testing {

inline const char* const kTestMaterials =
    "\"Windara materials\",1\r\n"
    "\"tape\",\"S\",2,1.8,2\r\n0.01,1.7\r\n20000,20000\r\n"
    "\"tape\",\"S\",4,1.8,2\r\n0.01,1.7\r\n20000,20000\r\n"
    "\"tape\",\"T\",2,1.5,2\r\n0.01,1.4\r\n50000,50000\r\n"
    "\"tape\",\"T\",4,1.5,2\r\n0.01,1.4\r\n50000,50000\r\n"
    "\"tape\",\"P\",1,1.2,2\r\n0.01,1\r\n100000,100000\r\n"
    "\"tape\",\"P\",2,1.2,2\r\n0.01,1\r\n100000,100000\r\n"
    "\"ferrite\",\"P\",0.5,0.42,0.1,-20,220\r\n"
    "\"ferrite\",\"Q\",0.48,0.36,0.1,-25,160\r\n"
    "\"ferrite\",\"R\",0.43,0.25,0.08,-30,125\r\n"
    "\"hall\",\"Ovimax\",125,0.75,24,50\r\n"
    "\"hall\",\"Zendra\",60,1.5,80,80\r\n"
    "\"hall\",\"Ferrite\",3000,0.42,16,3000\r\n"
    "\"end\"\r\n";

}  // namespace windara::testing
