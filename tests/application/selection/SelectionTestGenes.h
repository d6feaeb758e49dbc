#pragma once
// The genes section (and an empty rules section based on it) that the
// selection window tests put their selection lines after: autosomal genes,
// an X-linked one and a polygene.
inline const char SelectionTestGenes[] = "[genes Main]\n"
                                         "gene A A, a\n"
                                         "gene B B, b\n"
                                         "gene D D, d\n"
                                         "gene Xh XH, Xh\n"
                                         "polygene Height places=1 ranges=0,Short,10,Tall,20\n"
                                         "X-link Xh\n"
                                         "[rules Colour]\n"
                                         "baseon Main\n";
