#pragma once

// Makes the program's pictures (:/imagens/...) available. The resource lives
// in a static library, so it must be registered by hand before first use;
// later calls do nothing.
void carregaImagens();
